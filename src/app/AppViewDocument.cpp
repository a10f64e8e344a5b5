#include "app/AppViewDocument.h"

#include "app/DocumentHooks.h"
#include "app/Globals.h"

namespace {

class CAppWideViewDocument : public IViewDocument {
public:
    CRecordList* Records() const override { return theRecordList; }
    CUndoBuffer& Journal() const override { return theUndoBuffer; }
    IDocumentHooks* Hooks() const override { return theDocumentHooks; }
    const Settings& Preferences() const override { return theSettings; }
};

}  // namespace

IViewDocument& AppWideViewDocument()
{
    static CAppWideViewDocument document;
    return document;
}
