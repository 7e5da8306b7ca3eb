// GBK conversions and character splitting, which every database read and
// every name goes through.
#include <benchmark/benchmark.h>

#include "text/gbk.h"
#include "text/gbk_literal.h"
#include "text/split_characters.h"

namespace {

using qinghe::operator""_gbk;

void BM_Utf8ToGbkOneCharacter(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(qinghe::Utf8ToGbk("铭"));
}
BENCHMARK(BM_Utf8ToGbkOneCharacter);

void BM_GbkToUtf8Paragraph(benchmark::State& state) {
    const std::string text = "明亮，光明；聪明，明白。用于人名，寓意前程光明、聪慧通达。"_gbk;
    for (auto _ : state)
        benchmark::DoNotOptimize(qinghe::GbkToUtf8(text));
}
BENCHMARK(BM_GbkToUtf8Paragraph);

void BM_SplitCharacters(benchmark::State& state) {
    const std::string name = "欧阳志强"_gbk;
    for (auto _ : state)
        benchmark::DoNotOptimize(qinghe::SplitCharacters(name));
}
BENCHMARK(BM_SplitCharacters);

}  // namespace
