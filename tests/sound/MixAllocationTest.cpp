// Starting, stopping and mixing sounds must not touch the heap: they run 27
// times a second for the whole game. Every operator new in this test binary is
// counted while `counting` is set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "sound/WaveEngine.h"

namespace {
thread_local bool counting = false;
thread_local long allocations = 0;

void* allocate(std::size_t n) {
  if (counting) ++allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t n) { return allocate(n); }
void* operator new[](std::size_t n) { return allocate(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

class DiscardingDevice : public WaveDevice {
 public:
  bool open(std::function<void()> done) override {
    bufferDone = std::move(done);
    return true;
  }
  void queue(std::span<const std::uint8_t> block) override { last = block[block.size() - 1]; }
  void reset() override {}
  void close() override {}
  std::function<void()> bufferDone;
  std::uint8_t last = 0;
};

TEST(MixAllocation, PlayStopAndMixAllocateNothing) {
  auto owned = std::make_unique<DiscardingDevice>();
  DiscardingDevice* device = owned.get();
  WaveEngine engine(std::move(owned));
  engine.OpenWave();
  SoundBuffer tick, splat;
  tick.data.assign(3000, 250);
  splat.data.assign(900, 10);

  counting = true;
  engine.PlayWave(tick, 0);
  engine.PlayWave(splat, 1);
  for (int i = 0; i < 12; ++i) device->bufferDone();
  engine.PlayWave(tick, 0);
  device->bufferDone();
  engine.StopWave(0);
  engine.StopWave(1);
  device->bufferDone();
  counting = false;

  EXPECT_EQ(allocations, 0);
  EXPECT_EQ(device->last, 128);  // the blocks really were mixed
  EXPECT_EQ(tick.position, 400u);
}

}  // namespace
