// In-process figures: one expression from text to output line, and the cost
// of name expansion as the definition file and the text grow.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "core/output.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine/engine.h"
#include "frontend/defindex.h"
#include "frontend/frontend.h"

namespace {
// The settings' defaults are the program's: the scientific form, 12 digits.
struct Quiet {
    Captured nowhere;
};

std::string temppath(const std::string& name) { return "/tmp/phycalc-bench-" + std::to_string(getpid()) + "-" + name; }

void BM_PlainExpression(benchmark::State& state) {
    Quiet quiet;
    setmacrofile("");
    for (auto _ : state) {
        handlestr("(9.09+1*i)*(4-4*i)/(2+2*i)");
        quiet.nowhere.clear();
    }
}
BENCHMARK(BM_PlainExpression);

void BM_UnitExpression(benchmark::State& state) {
    Quiet quiet;
    setmacrofile(PHYCALC_LIBRARY);
    for (auto _ : state) {
        handlestr("76.09*km+913*m");
        quiet.nowhere.clear();
    }
    setmacrofile("");
}
BENCHMARK(BM_UnitExpression);

void BM_Format(benchmark::State& state) {
    double value = 1.0 / 3;
    for (auto _ : state) benchmark::DoNotOptimize(formatted(value += 1, NumberForm::SCIENTIFIC, 12).size());
}
BENCHMARK(BM_Format);

// A file of entries #nameK=K and a text of words that all name one of them:
// every word is replaced once.  range(0) entries, range(1) characters of text.
void writeentries(const std::string& path, long entries) {
    std::ofstream file(path);
    for (long k = 0; k < entries; ++k) file << "#name" << k << "=" << k << "\n";
}

std::string textof(long entries, long length) {
    std::string text;
    for (long k = 0; static_cast<long>(text.size()) < length; k = (k * 7 + 3) % entries)
        text += "name" + std::to_string(k) + " ";
    return text.substr(0, length);
}

void BM_Expansion(benchmark::State& state) {
    const std::string path = temppath("entries");
    writeentries(path, state.range(0));
    std::string text = textof(state.range(0), state.range(1));
    char work[WORK_SIZE];
    for (auto _ : state) {
        prepass(text.c_str(), work);
        benchmark::DoNotOptimize(expanddefs(work, path.c_str(), Notation::MACRO));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_Expansion)->ArgsProduct({{10, 100, 1000, 10000, 100000}, {10, 100, 999}});

// The same with the file read afresh every time: linear in the file.
void BM_ExpansionReadingTheFile(benchmark::State& state) {
    const std::string path = temppath("entries");
    writeentries(path, state.range(0));
    char work[WORK_SIZE];
    for (auto _ : state) {
        forgetdefinitions();
        prepass("name0+name1", work);
        benchmark::DoNotOptimize(expanddefs(work, path.c_str(), Notation::MACRO));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_ExpansionReadingTheFile)->RangeMultiplier(10)->Range(10, 100000);

// 120 times "=a", then z, against 60,000 entries and a last #z=z: words that
// hold '=' and a definition that holds its own name, up to the bound.
void BM_ExpansionWorstCase(benchmark::State& state) {
    const std::string path = temppath("worst");
    writeentries(path, 60000);
    std::ofstream(path, std::ios::app) << "#z=z\n";
    std::string text;
    for (int k = 0; k < 120; ++k) text += "=a";
    text += " z";
    char work[WORK_SIZE];
    for (auto _ : state) {
        prepass(text.c_str(), work);
        benchmark::DoNotOptimize(expanddefs(work, path.c_str(), Notation::FORMULA));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_ExpansionWorstCase)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
