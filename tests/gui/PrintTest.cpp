#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>
#include <wx/cmndata.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/modalhook.h>
#include <wx/print.h>
#include <wx/printdlg.h>
#include <wx/stattext.h>

#include "app/Globals.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "gui/GuiApp.h"
#include "gui/ShellFixture.h"
#include "options/PageTable.h"
#include "options/wx/AppPrintout.h"
#include "options/wx/PropertiesDlg.h"
#include "resources/ResourceIds.h"
#include "view/AppViewBase.h"

namespace {

class Printing : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        saved_ = theSettings;
    }
    void TearDown() override
    {
        theSettings = saved_;
        ShellTest::TearDown();
    }

    // Opens a file of `count` records "record N" with every seventh one
    // 150 bytes long, so that it wraps.
    std::string OpenRecords(int count)
    {
        std::string bytes;
        for (int i = 1; i <= count; ++i) {
            std::string record = "record " + std::to_string(i);
            if (i % 7 == 0) {
                record += ' ';
                record.resize(150, 'w');
            }
            bytes += record + "\n";
        }
        const std::string path = dir.File("print-me.txt");
        WriteFileBytes(path, bytes);
        EXPECT_TRUE(Doc().OpenFile(path, 0, 0));
        Frame().ResetView();
        return path;
    }

    Settings saved_;
};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// PostScript's Latin-1 encoding draws "-" as the minus sign, which comes
// back as U+2212.
std::string WithHyphens(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\xE2\x88\x92") == 0) {
            out.push_back('-');
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

// Prints through the PostScript printer into a file, with no dialog, and
// reads the text back from its PDF form, one string per page.
std::vector<std::string> PrintToText(const std::string& psPath)
{
    wxPrintData data;
    data.SetFilename(psPath);
    data.SetPrintMode(wxPRINT_MODE_FILE);
    data.SetPaperId(wxPAPER_A4);
    wxPrintDialogData dialogData(data);
    dialogData.SetFromPage(1);
    dialogData.SetToPage(CAppPrintout::kUnknownLastPage);
    wxPostScriptPrinter printer(&dialogData);
    std::unique_ptr<wxPrintout> printout(CreateDocumentPrintout());
    EXPECT_TRUE(printer.Print(nullptr, printout.get(), false));
    const std::string pdf = psPath + ".pdf";
    const std::string txt = psPath + ".txt";
    EXPECT_EQ(0, std::system(("ps2pdf '" + psPath + "' '" + pdf + "' && pdftotext -layout '" + pdf + "' '" +
                              txt + "'").c_str()));
    const std::string text = WithHyphens(ReadFileBytes(txt));
    std::vector<std::string> pages = Split(text, '\f');
    if (!pages.empty() && pages.back().find_first_not_of(" \n") == std::string::npos) pages.pop_back();
    return pages;
}

TEST_F(Printing, PostScriptFileHasHeadersFootersNumbersRulersAndPageBreaks)
{
    const std::string path = OpenRecords(150);
    theSettings.printFont = 10;
    theSettings.printFile = theSettings.printPage = theSettings.printLine = theSettings.printRuler = true;
    const auto pages = PrintToText(dir.File("out.ps"));

    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(static_cast<int>(pages.size()), thePageTable.lastPage);
    const std::regex numbered("^ *([0-9]+) +record ([0-9]+).*");
    int next = 1;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const std::string& page = pages[p];
        EXPECT_NE(std::string::npos, page.find(path));
        EXPECT_NE(std::string::npos, page.find("Page " + std::to_string(p + 1)));
        EXPECT_NE(std::string::npos, page.find("1---+----1----+----2----+----3"));
        // Every record once, in order, each page starting with the record
        // the page table has for it.
        EXPECT_EQ(next, thePageTable.pages[p].recordNumber);
        const auto lines = Split(page, '\n');
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::smatch m;
            if (!std::regex_match(lines[i], m, numbered)) continue;
            EXPECT_EQ(std::to_string(next), m[1].str()) << lines[i];
            EXPECT_EQ(m[1].str(), m[2].str());
            if (p == 0 && next % 7 == 0 && i + 2 < lines.size()) {
                // A wrapped record: a ruler for its second row, which has
                // no number.
                EXPECT_NE(std::string::npos, lines[i + 1].find("---+----")) << lines[i + 1];
                EXPECT_TRUE(std::regex_match(lines[i + 2], std::regex("^ +w+ *$"))) << lines[i + 2];
            }
            ++next;
        }
    }
    EXPECT_EQ(151, next);
}

TEST_F(Printing, PreviewShowsTheRecordsOnPageOne)
{
    OpenRecords(40);
    Command(ID_FILE_PRINT_PREVIEW);
    wxPreviewFrame* preview = nullptr;
    for (wxWindow* w : wxTopLevelWindows)
        if ((preview = dynamic_cast<wxPreviewFrame*>(w))) break;
    ASSERT_NE(nullptr, preview);
    wxPrintPreviewBase* pages = preview->GetControlBar()->GetPrintPreview();
    auto* printout = dynamic_cast<CAppPrintout*>(pages->GetPrintout());
    ASSERT_NE(nullptr, printout);
    static CAppPrintout* watched;
    watched = printout;
    ASSERT_TRUE(GuiApp::RunUntil([] { return !watched->LastPrinted().runs.empty(); }));

    EXPECT_EQ(1, pages->GetCurrentPage());
    EXPECT_EQ(1, pages->GetMaxPage());
    std::string shown;
    for (const PrintRun& run : printout->LastPrinted().runs) shown += run.text + "\n";
    EXPECT_NE(std::string::npos, shown.find("1  record 1\n"));
    EXPECT_NE(std::string::npos, shown.find("40  record 40\n"));

    // The page on screen carries ink.
    GuiApp::ProcessEvents(300);
    wxWindow* canvas = pages->GetCanvas();
    wxClientDC dc(canvas);
    const wxSize size = canvas->GetClientSize();
    wxBitmap shot(size);
    {
        wxMemoryDC memory(shot);
        memory.Blit(0, 0, size.x, size.y, &dc, 0, 0);
    }
    const wxImage image = shot.ConvertToImage();
    int dark = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (image.GetRed(x, y) < 100 && image.GetGreen(x, y) < 100) ++dark;
    EXPECT_GT(dark, 200);

    preview->Close(true);
    GuiApp::ProcessEvents(100);
    EXPECT_TRUE(Frame().IsEnabled());
}

// Looks at the Properties dialog when it is about to be shown, then closes it.
class PropertiesWatch : public wxModalDialogHook {
public:
    PropertiesWatch() { Register(); }
    ~PropertiesWatch() override { Unregister(); }
    int Enter(wxDialog* dialog) override
    {
        auto* properties = dynamic_cast<CPropertiesDlg*>(dialog);
        if (!properties) return wxID_NONE;
        properties->TransferDataToWindow();
        auto* text = dynamic_cast<wxStaticText*>(properties->FindWindow(IDC_PROPERTIES_TEXT));
        if (text) shown = text->GetLabelText().utf8_string();
        report = properties->report;
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}

    std::string report;
    std::string shown;
};

TEST_F(Printing, PropertiesCommandShowsTheReport)
{
    const std::string path = OpenRecords(3);
    PropertiesWatch watch;
    Command(ID_VIEW_PROPERTIES);
    EXPECT_EQ(0u, watch.report.find("Name: " + path + "\r\n\r\nType: UNIX (LF)\r\nTotal number of lines: 3\r\n"))
        << watch.report;
    EXPECT_EQ(0u, watch.shown.find("Name: " + path + "\n\nType: UNIX (LF)\nTotal number of lines: 3\n"));
}

}  // namespace
