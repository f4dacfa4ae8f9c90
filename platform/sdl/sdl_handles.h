#pragma once
// Owning handles for the SDL objects the platform creates; each frees its object with the
// matching SDL call.
#include <memory>

#include <SDL.h>
#include <SDL_mixer.h>

namespace kv::sdl {

struct WindowDeleter {
  void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
};
struct RendererDeleter {
  void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
};
struct TextureDeleter {
  void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
};
struct ChunkDeleter {
  void operator()(Mix_Chunk* c) const { Mix_FreeChunk(c); }
};

using WindowHandle = std::unique_ptr<SDL_Window, WindowDeleter>;
using RendererHandle = std::unique_ptr<SDL_Renderer, RendererDeleter>;
using TextureHandle = std::unique_ptr<SDL_Texture, TextureDeleter>;
using ChunkHandle = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

// One initialised SDL subsystem, shut down again when the owner goes.
class Subsystem {
 public:
  explicit Subsystem(Uint32 flags) : flags_(SDL_InitSubSystem(flags) == 0 ? flags : 0) {}
  ~Subsystem() {
    if (flags_ != 0) SDL_QuitSubSystem(flags_);
  }
  Subsystem(const Subsystem&) = delete;
  Subsystem& operator=(const Subsystem&) = delete;
  bool ok() const { return flags_ != 0; }

 private:
  Uint32 flags_;
};

}  // namespace kv::sdl
