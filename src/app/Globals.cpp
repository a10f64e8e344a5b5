#include "app/Globals.h"

#include "records/ClipRecords.h"
#include "records/UndoBuffer.h"

// Order of construction matters: later objects may use earlier ones.
Settings theSettings;
CClipRecords theClipRecords;
CUndoBuffer theUndoBuffer;

CRecordList* theRecordList = nullptr;
CAppViewBase* theView = nullptr;
