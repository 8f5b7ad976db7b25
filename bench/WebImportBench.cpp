// Importing a large bookmarks file: parse, build the tree, add it to a design.
// links: tarvex_import

#include "import/ImportTree.h"
#include "import/WebImport.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A bookmarks export as browsers write it: `links` bookmarks in folders of 100, each with its date
// and a small icon.
std::string BookmarksFile(int links) {
    std::string file =
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
        "charset=UTF-8\">\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n";
    for (int i = 0; i < links; ++i) {
        if (i % 100 == 0) {
            if (i > 0) {
                file += "    </DL><p>\n";
            }
            file += "    <DT><H3 ADD_DATE=\"1733700000\" LAST_MODIFIED=\"1733700600\">Folder " +
                    std::to_string(i / 100) + "</H3>\n    <DL><p>\n";
        }
        file += "        <DT><A HREF=\"https://www.example.com/section/page-" + std::to_string(i) +
                ".html?ref=bookmark&amp;id=" + std::to_string(i) +
                "\" ADD_DATE=\"1733700100\" "
                "ICON=\"data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAABAAAAAQCAYAAAAf8/"
                "9hAAAAEklEQVR4nGNgGAWjYBSMAggAAAQQAAHFQ5rTAAAAAElFTkSuQmCC\">Page number " +
                std::to_string(i) + " &#8211; a title of some length</A>\n";
    }
    return file + "    </DL><p>\n</DL><p>\n";
}

void BM_ImportBookmarks(benchmark::State& state) {
    const std::string file = BookmarksFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const tarvex::TImportResult result = tarvex::ParseBookmarks(file);
        tarvex::TProject project;
        tarvex::BuildDefaultProject(project);
        benchmark::DoNotOptimize(tarvex::AppendImportedTree(project, nullptr, *result.Tree));
    }
    state.SetLabel(std::to_string(file.size() / 1024) + " KiB");
}
BENCHMARK(BM_ImportBookmarks)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
