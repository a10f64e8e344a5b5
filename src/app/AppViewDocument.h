#pragma once
#include "view/ViewDocument.h"

// The view's document in the running program: the app-wide record list, undo
// journal, document hooks and settings (app/Globals.h, app/DocumentHooks.h),
// read at each use. Tests that set up those objects give it to their views
// as well.
IViewDocument& AppWideViewDocument();
