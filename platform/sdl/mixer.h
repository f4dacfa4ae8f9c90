#pragma once
// The sound device, shared by the platform and its media players. Without a device everything
// here stays silent and does nothing, but a tone still takes its time.
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/sdl/sdl_handles.h"

namespace kv::sdl {

class Mixer {
 public:
  // Opens the default sound device; says once on stderr when there is none.
  static std::shared_ptr<Mixer> Open();
  ~Mixer();
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  bool Silent() const { return !open_; }

  // A mixer channel of a player's own, -1 when silent; given back when the player goes.
  int AcquireChannel();
  void ReleaseChannel(int channel);

  // The whole sound file decoded (WAV or MP3), null if it will not load or there is no device.
  ChunkHandle Load(const std::filesystem::path& file) const;

  void PlayWave(const std::filesystem::path& file);
  void Beep(int hertz, int ms);

 private:
  Mixer();
  Mix_Chunk* Wave(const std::filesystem::path& file);

  Subsystem audio_;
  bool open_ = false;
  int channels_ = 0;
  std::vector<int> freeChannels_;
  std::unordered_map<std::string, ChunkHandle> waves_;  // by path; wave files are small and repeated
};

}  // namespace kv::sdl
