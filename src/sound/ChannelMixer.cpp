#include "sound/ChannelMixer.h"

#include "sound/WaveDevice.h"

void ChannelMixer::play(WaveChannel channel, const std::shared_ptr<const Block>& sound) {
  Mailbox<Order>& orders = channels_[indexOf(channel)].orders;
  orders.draft().sound = sound;  // the reference it replaces is dropped here, on the GUI side
  orders.publish();
}

void ChannelMixer::stop(WaveChannel channel) { play(channel, nullptr); }

void ChannelMixer::reset() {
  for (Channel& c : channels_) {
    while (c.orders.take()) {
    }
    c.playing.reset();
    c.position = 0;
  }
  returned_.drain();
}

void ChannelMixer::letGo(Channel& c) noexcept {
  // With the queue full the channel keeps the bytes, silent, and tries again
  // at the next period.
  if (c.playing && returned_.push(c.playing)) c.playing = nullptr;
  if (c.playing) c.position = c.playing->size();
}

void ChannelMixer::takeOrders(Channel& c) noexcept {
  // The order's own reference is weak and stays in its slot, so that the GUI
  // side, which overwrites the slot, is the one to drop it.
  if (c.playing && c.playing.use_count() == 1) letGo(c);  // the set let go
  if (c.playing && returned_.full()) return;  // nowhere to hand the old bytes yet: next period
  if (Order* order = c.orders.take()) {
    letGo(c);
    c.playing = order->sound.lock();
    c.position = 0;
  }
}

std::uint8_t ChannelMixer::next(Channel& c) noexcept {
  if (c.playing && c.position < c.playing->size()) return (*c.playing)[c.position++];
  return WaveDevice::kSilence;
}

void ChannelMixer::mix(std::span<std::uint8_t> out) noexcept {
  Channel& main = channels_[indexOf(WaveChannel::Main)];
  Channel& splat = channels_[indexOf(WaveChannel::Splat)];
  takeOrders(main);
  takeOrders(splat);
  for (std::uint8_t& sample : out) {
    const std::uint8_t a = next(main);
    const std::uint8_t b = next(splat);
    // Halved inputs sum to at most 254, so no clipping step is needed.
    sample = static_cast<std::uint8_t>(a / 2 + b / 2);
  }
  // A sound heard to its end goes back now rather than at the next order.
  if (main.playing && main.position >= main.playing->size()) letGo(main);
  if (splat.playing && splat.position >= splat.playing->size()) letGo(splat);
}
