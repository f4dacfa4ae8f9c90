#pragma once
// One game window on screen: an SDL window showing the window's client picture scaled up by a
// whole factor, nearest neighbour, letterboxed when the player resizes it.
#include <memory>
#include <string>

#include "platform/image.h"
#include "platform/render/render.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/ui.h"

namespace kv::sdl {

// The largest factor of 1, 2 or 3 at which a client area of the given size still fits the
// usable desktop with room for the window's frame.
int InitialScale(int clientWidth, int clientHeight, int usableWidth, int usableHeight);

class ScreenWindow {
 public:
  // Creates the SDL window, hidden, or says why SDL could not.
  static Result<std::unique_ptr<ScreenWindow>> Create(ui::Window& model);

  ui::Window& Model() const { return *model_; }
  bool Shows(const ui::Window& w) const { return model_ == &w; }
  SDL_Window* Sdl() const { return window_.get(); }
  Uint32 Id() const { return SDL_GetWindowID(window_.get()); }

  // Shows the model's picture; the model may be a new window at the address of an old one.
  void Show(ui::Window& model);
  void Hide();
  bool Shown() const { return shown_; }

  // Follows the model's caption and client size; only for a shown window.
  void Sync();
  // Paints the model and puts the picture on screen.
  void Present(const render::Fonts& fonts);

  bool dirty = true;  // the picture may have changed since it was last presented
  const Image* LastFrame() const { return presented_ ? &frame_ : nullptr; }

 private:
  ScreenWindow(ui::Window& model, WindowHandle window, RendererHandle renderer);
  bool Resize(int width, int height);

  ui::Window* model_;
  WindowHandle window_;
  RendererHandle renderer_;
  TextureHandle texture_;
  int width_ = 0;  // client size the texture was made for
  int height_ = 0;
  std::string caption_;  // as last given to SDL, Latin-1
  Image frame_;
  bool shown_ = false;
  bool presented_ = false;
};

}  // namespace kv::sdl
