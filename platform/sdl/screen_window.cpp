#include "platform/sdl/screen_window.h"

#include <algorithm>


namespace kv::sdl {

namespace {
// Room left for the title bar and borders the window manager adds.
constexpr int kFrameWidth = 32;
constexpr int kFrameHeight = 64;
constexpr int kMaxScale = 3;

int DesktopScale(int width, int height) {
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
  return InitialScale(width, height, usable.w, usable.h);
}
}  // namespace

int InitialScale(int clientWidth, int clientHeight, int usableWidth, int usableHeight) {
  for (int scale = kMaxScale; scale > 1; --scale) {
    if (clientWidth * scale + kFrameWidth <= usableWidth && clientHeight * scale + kFrameHeight <= usableHeight) {
      return scale;
    }
  }
  return 1;
}

Result<std::unique_ptr<ScreenWindow>> ScreenWindow::Create(ui::Window& model) {
  using R = Result<std::unique_ptr<ScreenWindow>>;
  const int width = std::max(model.ClientWidthPx(), 1);
  const int height = std::max(model.ClientHeightPx(), 1);
  const int scale = DesktopScale(width, height);
  WindowHandle window(SDL_CreateWindow(model.Caption().c_str(), SDL_WINDOWPOS_CENTERED,
                                       SDL_WINDOWPOS_CENTERED, width * scale, height * scale,
                                       SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN));
  if (window == nullptr) return R::Error(std::string("cannot open a window: ") + SDL_GetError());
  RendererHandle renderer(SDL_CreateRenderer(window.get(), -1, 0));
  if (renderer == nullptr) return R::Error(std::string("cannot draw in a window: ") + SDL_GetError());
  std::unique_ptr<ScreenWindow> screen(new ScreenWindow(model, std::move(window), std::move(renderer)));
  if (!screen->Resize(width, height)) return R::Error(std::string("cannot draw in a window: ") + SDL_GetError());
  return screen;
}

ScreenWindow::ScreenWindow(ui::Window& model, WindowHandle window, RendererHandle renderer)
    : model_(&model), window_(std::move(window)), renderer_(std::move(renderer)), caption_(model.Caption()) {}

bool ScreenWindow::Resize(int width, int height) {
  // Whole-factor nearest-neighbour scaling keeps the pixels square and sharp.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width,
                                   height));
  if (texture_ == nullptr) return false;
  SDL_SetTextureBlendMode(texture_.get(), SDL_BLENDMODE_NONE);
  SDL_RenderSetLogicalSize(renderer_.get(), width, height);
  SDL_RenderSetIntegerScale(renderer_.get(), SDL_TRUE);
  width_ = width;
  height_ = height;
  return true;
}

void ScreenWindow::Show(ui::Window& model) {
  model_ = &model;
  Sync();
  SDL_ShowWindow(window_.get());
  SDL_RaiseWindow(window_.get());
  shown_ = true;
  dirty = true;
}

void ScreenWindow::Hide() {
  SDL_HideWindow(window_.get());
  shown_ = false;
}

void ScreenWindow::Sync() {
  if (model_->Caption() != caption_) {
    caption_ = model_->Caption();
    SDL_SetWindowTitle(window_.get(), caption_.c_str());
  }
  const int width = std::max(model_->ClientWidthPx(), 1);
  const int height = std::max(model_->ClientHeightPx(), 1);
  if (width == width_ && height == height_) return;
  // A new client size keeps the factor the window is shown at.
  int shownWidth = 0;
  int shownHeight = 0;
  SDL_GetWindowSize(window_.get(), &shownWidth, &shownHeight);
  const int scale = std::max(1, std::min(shownWidth / width_, shownHeight / height_));
  if (!Resize(width, height)) return;
  SDL_SetWindowSize(window_.get(), width * scale, height * scale);
  dirty = true;
}

void ScreenWindow::Present(const render::Fonts& fonts) {
  render::RenderWindow(*model_, fonts, frame_);
  dirty = false;
  if (frame_.width != width_ || frame_.height != height_) return;
  presented_ = true;
  SDL_UpdateTexture(texture_.get(), nullptr, frame_.pixels.data(), frame_.width * static_cast<int>(sizeof(std::uint32_t)));
  SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, SDL_ALPHA_OPAQUE);
  SDL_RenderClear(renderer_.get());
  SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
  SDL_RenderPresent(renderer_.get());
}

}  // namespace kv::sdl
