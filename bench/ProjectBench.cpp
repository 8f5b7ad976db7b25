// Speed of the menu script generator and of the project file writer and reader on large designs,
// and the peak memory of a process holding a loaded 100,000-entry project.
// links: tarvex_script tarvex_project tarvex_model

#include "base/FileIo.h"
#include "model/Project.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "script/MenuScript.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace tarvex {
namespace {

namespace fs = std::filesystem;

constexpr const char* StyleNames[] = {"Ocean breeze", "Night sky", "Plain paper", "Forest green"};

// Sections of three nested menus (9 items and a group, 9 items and a group, 10 items) under the
// root until `entries` groups and items exist; the menus cycle through four styles.
std::unique_ptr<TProject> BuildDesign(int entries) {
    auto project = std::make_unique<TProject>();
    for (int i = 0; i < 4; ++i) {
        TMenuStyleRec style;
        FillDefaultStyle(style);
        style.FontSize = 10 + i;
        style.BorderSeparatorbar = i % 2 ? "Yes" : "";
        AppendStyleNode(*project, StyleNames[i], style);
    }
    int made = 0;
    int styleIndex = 0;
    auto options = [&](TTreeNode* group) {
        TMenuOptionsRec o;
        FillDefaultMenuOptions(*project, o, group);
        o.MenuStyle = StyleNames[styleIndex++ % 4];
        AppendOptionsNode(*project, group, o);
    };
    auto add = [&](TTreeNode* parent, TNodeKind kind) -> TTreeNode* {
        if (made >= entries) {
            return nullptr;
        }
        TMenuItemRec item;
        FillDefaultMenuItem(item);
        item.Caption =
            (kind == TNodeKind::MenuGroup ? "Group number " : "Item number ") + std::to_string(made);
        item.Address = "pages/page" + std::to_string(made) + ".htm";
        item.Hint = "Hint for entry " + std::to_string(made);
        ++made;
        TTreeNode* node = AppendItemNode(*project, parent, kind, item);
        if (kind == TNodeKind::MenuGroup) {
            options(node);
        }
        return node;
    };
    options(nullptr);
    while (made < entries) {
        TTreeNode* parent = add(nullptr, TNodeKind::MenuGroup);
        for (int depth = 0; parent && depth < 3; ++depth) {
            for (int i = 0; i < 9 + (depth == 2 ? 1 : 0); ++i) {
                add(parent, TNodeKind::MenuItem);
            }
            parent = depth < 2 ? add(parent, TNodeKind::MenuGroup) : nullptr;
        }
    }
    return project;
}

void SetEntryCounter(benchmark::State& state) {
    state.counters["entries"] = static_cast<double>(state.range(0));
}

void BM_GenerateMenuScript(benchmark::State& state) {
    auto project = BuildDesign(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TMenuScript script = GenerateMenuScript(*project);
        benchmark::DoNotOptimize(script.Lines.data());
    }
    SetEntryCounter(state);
}

// The whole refresh as the preview does it: generate, join and write menu.js.
void BM_GenerateAndWriteMenuScript(benchmark::State& state) {
    auto project = BuildDesign(static_cast<int>(state.range(0)));
    const fs::path file =
        fs::temp_directory_path() / ("tarvex-bench-menu-" + std::to_string(::getpid()) + ".js");
    for (auto _ : state) {
        if (WriteMenuScript(GenerateMenuScript(*project), file) != TWriteStatus::Written) {
            state.SkipWithError("cannot write the menu script");
            break;
        }
    }
    std::error_code ec;
    fs::remove(file, ec);
    SetEntryCounter(state);
}

void BM_WriteProjectText(benchmark::State& state) {
    auto project = BuildDesign(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = WriteProjectText(*project);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
    SetEntryCounter(state);
}

void BM_ReadProjectText(benchmark::State& state) {
    const std::string text = WriteProjectText(*BuildDesign(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        // The old design's teardown is not part of a read.
        state.PauseTiming();
        auto project = std::make_unique<TProject>();
        state.ResumeTiming();
        ReadProjectText(text, *project);
        benchmark::DoNotOptimize(project->Objects.RootCount());
        state.PauseTiming();
        project.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(text.size()) * state.iterations());
    SetEntryCounter(state);
}

long PeakRssKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs in a fresh copy of this program, so earlier benchmarks' allocations do not count: reads the
// project file and prints the peak resident size in KiB with the design still loaded.
int MeasurePeakMemory(const char* path) {
    const long before = PeakRssKib();
    auto project = std::make_unique<TProject>();
    {
        const auto bytes = ReadWholeFile(path);
        if (!bytes) {
            return 1;
        }
        ReadProjectText(*bytes, *project);
    }
    std::printf("%ld %ld %zu\n", before, PeakRssKib(), project->Objects.NodeCount());
    return 0;
}

void BM_PeakMemoryLoaded100k(benchmark::State& state) {
    const fs::path file = fs::temp_directory_path() / ("tarvex-bench-" + std::to_string(::getpid()) + ".xml");
    if (SaveProjectFile(*BuildDesign(100000), file) != TSaveStatus::Written) {
        state.SkipWithError("cannot write the project file");
        return;
    }
    long before = 0;
    long peak = 0;
    std::size_t nodes = 0;
    for (auto _ : state) {
        const std::string command =
            "'" + fs::read_symlink("/proc/self/exe").string() + "' --peak-memory '" + file.string() + "'";
        FILE* child = ::popen(command.c_str(), "r");
        if (!child || std::fscanf(child, "%ld %ld %zu", &before, &peak, &nodes) != 3) {
            state.SkipWithError("the measuring process failed");
        }
        if (child) {
            ::pclose(child);
        }
    }
    std::error_code ec;
    fs::remove(file, ec);
    state.counters["start_MiB"] = static_cast<double>(before) / 1024.0;
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
    state.counters["nodes"] = static_cast<double>(nodes);
}

BENCHMARK(BM_GenerateMenuScript)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateAndWriteMenuScript)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteProjectText)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadProjectText)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemoryLoaded100k)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvex

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--peak-memory") == 0) {
        return tarvex::MeasurePeakMemory(argv[2]);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
