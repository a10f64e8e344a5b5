#include "app/wx/AppApp.h"

wxIMPLEMENT_APP(CAppApp);
