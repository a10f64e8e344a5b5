#pragma once
#include "settings/Settings.h"

class CRecordList;
class CAppViewBase;
class CClipRecords;
class CUndoBuffer;
class CAppDoc;
class CMainFrame;
class CPageTable;

// The program-wide static objects, defined together in one place so that
// they are constructed in a known order and destroyed in the reverse one.
extern Settings theSettings;
// Where each printed page starts (options/PageTable.h).
extern CPageTable thePageTable;
// The clipboard holder and the undo journal (records/ClipRecords.h,
// records/UndoBuffer.h).
extern CClipRecords theClipRecords;
extern CUndoBuffer theUndoBuffer;

// The current record list (owned by the document), the one view, the one
// document and the main frame; null while they do not exist. Core code uses
// only the first two.
extern CRecordList* theRecordList;
extern CAppViewBase* theView;
extern CAppDoc* theDoc;
extern CMainFrame* theMainFrame;
