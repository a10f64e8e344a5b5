#include "app/Globals.h"

#include "options/PageTable.h"
#include "records/ClipRecords.h"
#include "records/UndoBuffer.h"

// The static objects, in their order of construction; they are destroyed in
// the reverse order, after the application object's exit handling:
//   1. the settings block with its defaults;
//   2. the print page table (CPageTable);
//   3. the clipboard holder (CClipRecords); the private clipboard format
//      is registered by the system clipboard's transport, which the
//      application object installs;
//   4. the undo journal (CUndoBuffer);
//   5. the application object, created by the toolkit's entry point.
// Later objects may use earlier ones, so new ones go into their slot here.
Settings theSettings;
CPageTable thePageTable;
CClipRecords theClipRecords;
CUndoBuffer theUndoBuffer;

CRecordList* theRecordList = nullptr;
CAppViewBase* theView = nullptr;
CAppDoc* theDoc = nullptr;
CMainFrame* theMainFrame = nullptr;
