#include "options/PrintOptions.h"

#include "settings/Settings.h"
#include "view/AppViewBase.h"

PrintOptions CurrentPrintOptions(const Settings& settings, const CAppViewBase* view, const std::string& title)
{
    PrintOptions options;
    options.printFile = settings.printFile;
    options.printPage = settings.printPage;
    options.printLine = settings.printLine;
    options.printRuler = settings.printRuler;
    if (view) {
        options.hexView = view->rowsPerRecord != 1;
        options.asciiView = view->asciiView;
        options.tabWidth = view->TabWidth();
    }
    options.title = title;
    return options;
}

PageLayout LayoutFor(const PageMetrics& metrics, const PrintOptions& options)
{
    PageLayout layout;
    layout.columnsPerLine = metrics.columnsPerLine;
    layout.linesPerPage = metrics.linesPerPage;
    layout.ruler = options.printRuler;
    layout.hex = options.hexView;
    layout.tabWidth = options.tabWidth;
    return layout;
}
