// Decoding speed of our DDS reader, and of FreeImage's own on the formats it reads, over the
// same in-memory files. Run: build/bin/dds_decode_bench  (MPix/s is megapixels per second)

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "dds_writer/dds_writer.h"
#include "dds_writer/test_picture.h"
#include "engine/dds/dds_decoder.h"

namespace {

using tavrosine::dds_writer::DdsFormat;

const std::vector<uint8_t>& Texture(DdsFormat format, int side) {
  static std::map<std::pair<DdsFormat, int>, std::vector<uint8_t>> cache;
  auto& file = cache[{format, side}];
  if (file.empty()) {
    const auto picture = tavrosine::dds_writer::MakeTestPicture(side, side, 42, true);
    file = tavrosine::dds_writer::EncodeDds(picture, format);
  }
  return file;
}

void Report(benchmark::State& state, int side) {
  state.counters["MPix/s"] = benchmark::Counter(static_cast<double>(side) * side / 1e6,
                                                benchmark::Counter::kIsIterationInvariantRate);
}

void Ours(benchmark::State& state, DdsFormat format) {
  const int side = static_cast<int>(state.range(0));
  const std::vector<uint8_t>& file = Texture(format, side);
  for (auto _ : state) {
    auto decoded = tavrosine::dds::DecodeDds(std::span(file));
    if (!decoded.image) state.SkipWithError(decoded.error.message.c_str());
    benchmark::DoNotOptimize(decoded.image.get());
  }
  Report(state, side);
}

void FreeImage(benchmark::State& state, DdsFormat format) {
  const int side = static_cast<int>(state.range(0));
  std::vector<uint8_t> file = Texture(format, side);
  for (auto _ : state) {
    FIMEMORY* memory = FreeImage_OpenMemory(file.data(), static_cast<DWORD>(file.size()));
    FIBITMAP* bitmap = FreeImage_LoadFromMemory(FIF_DDS, memory, 0);
    if (bitmap == nullptr) state.SkipWithError("FreeImage could not read the file");
    benchmark::DoNotOptimize(bitmap);
    FreeImage_Unload(bitmap);
    FreeImage_CloseMemory(memory);
  }
  Report(state, side);
}

// Our writer only emits BC7 mode 6; a real encoder's file mixes modes 0 to 7.
void OursBc7MixedModes(benchmark::State& state) {
  std::ifstream in(std::string(TAVROSINE_CORPUS_DIR) + "/pillow/bc7-argb-8bpp_MipMaps-1.dds",
                   std::ios::binary);
  const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (file.empty()) {
    state.SkipWithError("corpus file not found");
    return;
  }
  for (auto _ : state) {
    auto decoded = tavrosine::dds::DecodeDds(std::span(file));
    benchmark::DoNotOptimize(decoded.image.get());
  }
  Report(state, 256);
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(Ours, BC1, DdsFormat::kDxt1)->Apply(Sizes);
BENCHMARK_CAPTURE(FreeImage, BC1, DdsFormat::kDxt1)->Apply(Sizes);
BENCHMARK_CAPTURE(Ours, BC3, DdsFormat::kDxt5)->Apply(Sizes);
BENCHMARK_CAPTURE(FreeImage, BC3, DdsFormat::kDxt5)->Apply(Sizes);
BENCHMARK_CAPTURE(Ours, BC5, DdsFormat::kBc5)->Apply(Sizes);
BENCHMARK_CAPTURE(Ours, BC7, DdsFormat::kBc7)->Apply(Sizes);
BENCHMARK(OursBc7MixedModes)
    ->Name("Ours/BC7_corpus_mixed_modes/256")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
