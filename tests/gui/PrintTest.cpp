#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/print.h>

#include "app/Globals.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "gui/GuiApp.h"
#include "gui/ShellFixture.h"
#include "options/PageTable.h"
#include "options/wx/AppPrintout.h"
#include "resources/ResourceIds.h"

namespace {

class Printing : public ShellTest {
protected:
    void TearDown() override
    {
        theSettings = saved_;
        ShellTest::TearDown();
    }

    // Opens "record N" for N = 1 to count; every seventh record is 150
    // bytes long, so that it wraps.
    std::string OpenRecords(int count)
    {
        std::string bytes;
        for (int i = 1; i <= count; ++i) {
            std::string record = "record " + std::to_string(i) + " ";
            if (i % 7 == 0) record.resize(150, 'w');
            bytes += record + "\n";
        }
        const std::string path = dir.File("print-me.txt");
        WriteFileBytes(path, bytes);
        EXPECT_TRUE(Doc().OpenFile(path, 0, 0));
        Frame().ResetView();
        return path;
    }

    Settings saved_ = theSettings;
};

// Prints through the PostScript printer into a file, with no dialog, and
// reads the text back from its PDF form: the lines of each page.
std::vector<std::vector<std::string>> PrintToText(const std::string& psPath)
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
    const std::string txt = psPath + ".txt";
    EXPECT_EQ(0, std::system(("ps2pdf '" + psPath + "' '" + psPath + ".pdf' && pdftotext -layout '" + psPath +
                              ".pdf' '" + txt + "'").c_str()));
    // PostScript's Latin-1 encoding draws "-" as the minus sign.
    std::istringstream text(std::regex_replace(ReadFileBytes(txt), std::regex("\xE2\x88\x92"), "-"));
    std::vector<std::vector<std::string>> pages(1);
    for (std::string line; std::getline(text, line);) {
        for (std::size_t feed; (feed = line.find('\f')) != std::string::npos; line.erase(0, feed + 1))
            pages.emplace_back();
        pages.back().push_back(line);
    }
    if (pages.back().empty() || pages.back() == std::vector<std::string>{""}) pages.pop_back();
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
        const auto& lines = pages[p];
        std::string all;
        for (const std::string& line : lines) all += line + "\n";
        EXPECT_NE(std::string::npos, all.find(path + "\n"));
        EXPECT_NE(std::string::npos, all.find("Page " + std::to_string(p + 1) + "\n"));
        EXPECT_NE(std::string::npos, all.find("1---+----1----+----2----+----3"));
        // Every record once and in order, each page opening with the record
        // the page table has for it.
        EXPECT_EQ(next, thePageTable.pages[p].recordNumber);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::smatch m;
            if (!std::regex_match(lines[i], m, numbered)) continue;
            EXPECT_EQ(std::to_string(next), m[1].str()) << lines[i];
            EXPECT_EQ(m[1].str(), m[2].str());
            if (p == 0 && next % 7 == 0) {
                // The wrapped row: a ruler above it, and no number.
                EXPECT_NE(std::string::npos, lines.at(i + 1).find("---+----")) << lines[i + 1];
                EXPECT_TRUE(std::regex_match(lines.at(i + 2), std::regex(" +w+ *"))) << lines[i + 2];
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
    ASSERT_SOON(!printout->LastPrinted().runs.empty());

    EXPECT_EQ(1, pages->GetCurrentPage());
    EXPECT_EQ(1, pages->GetMaxPage());
    std::string shown;
    for (const PrintRun& run : printout->LastPrinted().runs) shown += run.text + "\n";
    EXPECT_NE(std::string::npos, shown.find("\n1  record 1\n"));
    EXPECT_NE(std::string::npos, shown.find("\n40  record 40\n"));

    // The page on screen carries ink, once the canvas has painted it.
    wxWindow* canvas = pages->GetCanvas();
    auto darkPixels = [canvas] {
        wxClientDC screen(canvas);
        const wxSize size = canvas->GetClientSize();
        wxBitmap shot(size);
        wxMemoryDC(shot).Blit(0, 0, size.x, size.y, &screen, 0, 0);
        const wxImage image = shot.ConvertToImage();
        int dark = 0;
        for (int i = 0; i < image.GetWidth() * image.GetHeight() * 3; i += 3) dark += image.GetData()[i] < 100;
        return dark;
    };
    EXPECT_SOON(darkPixels() > 200);

    preview->Close(true);
    EXPECT_SOON(Frame().IsEnabled());
}

}  // namespace
