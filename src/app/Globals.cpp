#include "app/Globals.h"

// Order of construction matters: later objects may use earlier ones.
Settings theSettings;

CRecordList* theRecordList = nullptr;
CAppViewBase* theView = nullptr;
