// Speed of the menu script generator and of the project file writer and reader on large designs,
// the memory a loaded design takes per entry, `format` of a project file beside a plain copy of it,
// and the peak memory of a process holding a loaded 100,000-entry project.
// links: tarvex_script tarvex_project tarvex_model

#include "base/FileIo.h"
#include "model/Project.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "script/MenuScript.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <malloc.h>
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

// Bytes the allocator hands out, its own headers and rounding included: what a design really costs.
std::size_t AllocatedBytes() {
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

// A design as a project file gives it, measured from the allocator with the file's text freed.
void BM_DesignBytesPerEntry(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    std::string text = WriteProjectText(*BuildDesign(entries));
    std::size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t before = AllocatedBytes();
        auto project = std::make_unique<TProject>();
        state.ResumeTiming();
        ReadProjectText(text, *project);
        state.PauseTiming();
        bytes = AllocatedBytes() - before;
        project.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_entry"] = static_cast<double>(bytes) / entries;
    state.counters["MiB"] = static_cast<double>(bytes) / (1 << 20);
    SetEntryCounter(state);
}

double SecondsSince(std::chrono::steady_clock::time_point& start) {
    const auto now = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(now - start).count();
    start = now;
    return seconds;
}

// `tarvex-cli format IN -o OUT` phase by phase, each iteration beside a plain copy of the same
// file: the time reported is the format's, `per_copy` how many copies it takes, and the phases
// show where the time goes.
void BM_FormatBesideCopy(benchmark::State& state) {
    const std::string stem = "tarvex-bench-format-" + std::to_string(::getpid());
    const fs::path in = fs::temp_directory_path() / (stem + "-in.xml");
    const fs::path copy = fs::temp_directory_path() / (stem + "-copy.xml");
    const fs::path out = fs::temp_directory_path() / (stem + "-out.xml");
    if (SaveProjectFile(*BuildDesign(static_cast<int>(state.range(0))), in) != TSaveStatus::Written) {
        state.SkipWithError("cannot write the project file");
        return;
    }
    enum { Read, Parse, Write, Save, Free, PhaseCount };
    constexpr const char* PhaseNames[PhaseCount] = {"read_ms", "parse_ms", "write_ms", "save_ms", "free_ms"};
    double phases[PhaseCount] = {};
    double copySeconds = 0;
    double formatSeconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        fs::copy_file(in, copy, fs::copy_options::overwrite_existing);
        copySeconds += SecondsSince(start);
        double formatted = 0;
        const auto phaseEnds = [&](int phase) {
            const double seconds = SecondsSince(start);
            phases[phase] += seconds;
            formatted += seconds;
        };
        TProjectFileBytes bytes = ReadProjectFile(in, in.string());
        phaseEnds(Read);
        auto project = std::make_unique<TProject>();
        ReadProjectText(bytes.Bytes.value_or(std::string()), *project);
        phaseEnds(Parse);
        const std::string text = WriteProjectText(*project, std::move(bytes.Bytes).value_or(std::string()));
        phaseEnds(Write);
        if (WriteFileAtomically(out, text) != TWriteStatus::Written) {
            state.SkipWithError("cannot write the formatted file");
        }
        phaseEnds(Save);
        project.reset();
        phaseEnds(Free);
        state.SetIterationTime(formatted);
        formatSeconds += formatted;
    }
    const double iterations = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    for (int phase = 0; phase < PhaseCount; ++phase) {
        state.counters[PhaseNames[phase]] = phases[phase] * 1000 / iterations;
    }
    state.counters["copy_ms"] = copySeconds * 1000 / iterations;
    state.counters["per_copy"] = copySeconds > 0 ? formatSeconds / copySeconds : 0;
    SetEntryCounter(state);
    std::error_code ec;
    for (const fs::path& file : {in, copy, out}) {
        fs::remove(file, ec);
    }
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
BENCHMARK(BM_DesignBytesPerEntry)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatBesideCopy)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemoryLoaded100k)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvex

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--peak-memory") == 0) {
        return tarvex::MeasurePeakMemory(argv[2]);
    }
    // The designs measured here as a file, to time the command-line tool against a copy.
    if (argc == 4 && std::strcmp(argv[1], "--write-project") == 0) {
        const int entries = std::atoi(argv[2]);
        return tarvex::SaveProjectFile(*tarvex::BuildDesign(entries), argv[3]) == tarvex::TSaveStatus::Written
                   ? 0
                   : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
