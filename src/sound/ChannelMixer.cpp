#include "sound/ChannelMixer.h"

#include "sound/WaveDevice.h"

void ChannelMixer::play(WaveChannel channel, const std::shared_ptr<const Block>& sound) {
  Mailbox<Order>& orders = channels_[indexOf(channel)].orders;
  orders.draft().sound = sound;
  orders.publish();
}

void ChannelMixer::stop(WaveChannel channel) { play(channel, nullptr); }

void ChannelMixer::reset() {
  for (Channel& c : channels_) {
    while (c.orders.take()) {
    }
    c.sound.reset();
    c.held.reset();
    c.position = 0;
  }
}

void ChannelMixer::Channel::takeOrders() {
  if (Order* order = orders.take()) {
    sound = std::move(order->sound);
    position = 0;
  }
  // The set may drop the bytes at any moment; this reference keeps them until
  // the end of the call, and an expired one means they are gone.
  held = sound.lock();
  if (!held) sound.reset();
}

std::uint8_t ChannelMixer::Channel::next() {
  if (held && position < held->size()) return (*held)[position++];
  if (held) {
    held.reset();
    sound.reset();
  }
  return WaveDevice::kSilence;
}

void ChannelMixer::mix(std::span<std::uint8_t> out) noexcept {
  Channel& main = channels_[indexOf(WaveChannel::Main)];
  Channel& splat = channels_[indexOf(WaveChannel::Splat)];
  main.takeOrders();
  splat.takeOrders();
  for (std::uint8_t& sample : out) {
    const std::uint8_t a = main.next();
    const std::uint8_t b = splat.next();
    // Halved inputs sum to at most 254, so no clipping step is needed.
    sample = static_cast<std::uint8_t>(a / 2 + b / 2);
  }
  main.held.reset();
  splat.held.reset();
}
