// The elements of a shooter window as the designer laid them out: five layers, the head-up
// display on the playfield and the menus on their layers.
#include <array>
#include <cstdint>

#include "shooter/frontend/form.h"

namespace kv::shooter {

namespace {

constexpr ui::Colour kGrey = 0xC0C0C0;
constexpr ui::Colour kDarkRed = 0x0000C0;
constexpr ui::FontSpec kHudFont{8, false, ui::Face::Sans};
constexpr ui::FontSpec kMenuFont{12, true, ui::Face::Sans};
constexpr ui::FontSpec kHeadingFont{16, true, ui::Face::Sans};

ui::Label& AddLabel(ui::Element& parent, const char* name, std::string_view caption, int left, int top, int width,
                    int height, ui::Colour fore, ui::Colour back, ui::FontSpec font = kHudFont) {
  auto& l = parent.Add<ui::Label>();
  l.name = name;
  l.SetFont(font);
  l.SetCaption(caption);
  l.Move(left, top, width, height);
  l.ForeColor = fore;
  l.BackColor = back;
  return l;
}

ui::Shape& AddBar(ui::Element& parent, const char* name, int left, int top, int width, int height,
                  ui::Colour fill) {
  auto& s = parent.Add<ui::Shape>();
  s.name = name;
  s.Move(left, top, width, height);
  s.FillColor = fill;
  return s;
}

ui::Surface& AddSurface(ui::Element& parent, const char* name, int left, int top, int width, int height,
                        ui::Colour back = 0x000000) {
  auto& s = parent.Add<ui::Surface>();
  s.name = name;
  s.Move(left, top, width, height);
  s.BackColor = back;
  return s;
}

void BuildStatusPanel(Shooter& g) {
  Hud& h = g.hud;
  h.Stats_Bar = &AddSurface(*g.Play_Layer, "Stats_Bar", 720, 7920, 4935, 975);
  h.Stats_Bar->Visible = false;
  ui::Surface& bar = *h.Stats_Bar;
  h.Stt_SHD_Lbl = &AddLabel(bar, "Stt_SHD_Lbl", "life", 0, 0, 495, 255, kGrey, 0);
  h.Stt_SPE_Lbl = &AddLabel(bar, "Stt_SPE_Lbl", "spec", 0, 240, 495, 255, kGrey, 0);
  h.BAR_SHD_C = &AddBar(bar, "BAR_SHD_C", 540, 30, 2175, 75, g.def.chargeBars[0]);
  h.BAR_SHD_R = &AddBar(bar, "BAR_SHD_R", 540, 90, 2175, 75, g.def.chargeBars[1]);
  h.BAR_SPE_C = &AddBar(bar, "BAR_SPE_C", 540, 270, 2175, 75, g.def.chargeBars[2]);
  h.BAR_SPE_R = &AddBar(bar, "BAR_SPE_R", 540, 330, 2175, 75, g.def.chargeBars[3]);
  h.Stt_LVL_MG = &AddLabel(bar, "Stt_LVL_MG", "MG  1.0", 2880, 0, 855, 255, 0x00C000, 0);
  h.Stt_LVL_SG = &AddLabel(bar, "Stt_LVL_SG", "SG   1.0", 2880, 240, 855, 255, kGrey, 0);
  // The warning faces lie under the healthy faces; a broken part's healthy face is cut to
  // width 0 and uncovers its warning.
  h.Stt_MGUN_F = &AddLabel(bar, "Stt_MGUN_F", "MGUN", 3720, 0, 615, 255, 0xFFFFFF, kDarkRed);
  h.Stt_SGUN_F = &AddLabel(bar, "Stt_SGUN_F", "SGUN", 3720, 240, 615, 255, 0xFFFFFF, kDarkRed);
  h.Stt_ENG_F = &AddLabel(bar, "Stt_ENG_F", "ENG", 4320, 0, 615, 255, 0xFFFFFF, kDarkRed);
  h.Stt_PWR_F = &AddLabel(bar, "Stt_PWR_F", "PWR", 4320, 240, 615, 255, 0xFFFFFF, kDarkRed);
  struct Face {
    ui::Surface** slot;
    const char* name;
    const char* label;
    const char* caption;
    int left, top;
  };
  const std::array<Face, 4> faces{{
      {&h.Stt_MGUN_R, "Stt_MGUN_R", "lbl_MGUN", "MGUN", 3720, 0},
      {&h.Stt_SGUN_R, "Stt_SGUN_R", "lbl_SGUN", "SGUN", 3720, 240},
      {&h.Stt_ENG_R, "Stt_ENG_R", "lbl_ENG", "ENG", 4320, 0},
      {&h.Stt_PWR_R, "Stt_PWR_R", "lbl_PWR", "PWR", 4320, 240},
  }};
  for (const Face& f : faces) {
    *f.slot = &AddSurface(bar, f.name, f.left, f.top, 615, 255);
    AddLabel(**f.slot, f.label, f.caption, 0, 0, 615, 255, 0x404040, 0);
  }
}

void BuildPanels(Shooter& g) {
  Hud& h = g.hud;
  ui::Surface& play = *g.Play_Layer;
  // Line 0, the newest, lies over line 1: it is added last so that it is painted on top.
  constexpr std::array<int, 5> kLogTops{2880, 2880, 3240, 3600, 3960};
  constexpr std::array<const char*, 5> kBoxNames{"Bufferbox(0)", "Bufferbox(1)", "Bufferbox(2)", "Bufferbox(3)",
                                                 "Bufferbox(4)"};
  constexpr std::array<const char*, 5> kTextNames{"BufferText(0)", "BufferText(1)", "BufferText(2)",
                                                  "BufferText(3)", "BufferText(4)"};
  for (int line = 4; line >= 0; --line) {
    const auto i = static_cast<std::size_t>(line);
    h.Bufferbox[i] = &AddSurface(play, kBoxNames[i], 1080, kLogTops[i], 15, 255);
    h.BufferText[i] = &AddLabel(*h.Bufferbox[i], kTextNames[i], "", 0, 0, 0, 210, kGrey, 0);
    h.BufferText[i]->SetAutoSize(true);
  }
  h.Bufferbox[5] = &AddSurface(play, "Bufferbox(5)", 840, 1080, 1455, 225);
  h.BufferText[5] = &AddLabel(*h.Bufferbox[5], "BufferText(5)", "SCORE", 0, 0, 615, 255, 0xFFFFFF, 0);
  h.BufferText[6] = &AddLabel(*h.Bufferbox[5], "BufferText(6)", "000000", 600, 0, 855, 255, 0xFFFFFF, 0);
  h.Bufferbox[6] = &AddSurface(play, "Bufferbox(6)", 3840, 1080, 1695, 255);
  h.BufferText[7] = &AddLabel(*h.Bufferbox[6], "BufferText(7)", "", 960, 0, 1695, 255, 0x0080FF, 0);
  h.BossBar = &AddSurface(play, "BossBar", 2520, 1080, 1215, 350);
  h.Boss_Name = &AddLabel(*h.BossBar, "Boss_Name", "CARGO", 300, 0, 615, 210, 0x0000FF, 0);
  h.Boss_Bar_Bottom = &AddBar(*h.BossBar, "Boss_Bar_Bottom", 0, 240, 1215, 100, 0x0000FF);
  h.Boss_Bar_Top = &AddBar(*h.BossBar, "Boss_Bar_Top", 0, 240, 1215, 105, 0x00FFFF);
  BuildStatusPanel(g);
  h.Wait_label2 = &AddLabel(play, "Wait_label2", "Wait..", 2520, 4320, 1200, 255, 0xFFFFFF, 0);
  h.Wait_label2->Transparent = true;
  h.Wait_label2->Visible = false;
}

ui::Shape& AddCursorBar(ui::Element& layer, int left, int top, ui::Colour colour) {
  auto& s = layer.Add<ui::Shape>();
  s.name = "Curr";
  s.Move(left, top, 2175, 375);
  s.Filled = false;
  s.Outlined = true;
  s.BorderColor = colour;
  return s;
}

ui::Label& AddMenuItem(Shooter& g, ui::Element& layer, int index, int left, int top, int width) {
  auto& l = AddLabel(layer, "menu", g.def.menuCaptions[static_cast<std::size_t>(index)], left, top, width, 375,
                     kGrey, 0, kMenuFont);
  l.Transparent = true;
  g.menus.menu[static_cast<std::size_t>(index)] = &l;
  return l;
}

void AddHeading(ui::Element& layer, std::string_view text, int left, int top, ui::FontSpec font = kMenuFont) {
  auto& l = AddLabel(layer, "heading", text, left, top, 0, 0, kGrey, 0, font);
  l.Transparent = true;
  l.SetAutoSize(true);
}

void AddCursorBars(Shooter& g, ui::Element& layer, int first, int left, int firstTop, int step,
                   const std::array<ui::Colour, 6>& colours) {
  for (int i = 0; i < 6; ++i) {
    g.menus.Curr[static_cast<std::size_t>(first + i)] =
        &AddCursorBar(layer, left, firstTop + step * i, colours[static_cast<std::size_t>(i)]);
  }
}

void BuildTitleLayer(Shooter& g) {
  ui::Surface& layer = *g.Menu_Layer;
  auto& picture = AddSurface(layer, "Image1", 1560, 720, 120 * 15, 180 * 15);
  picture.Picture = &g.images.title;
  auto& tagline = AddLabel(layer, "Wait_Label", g.def.tagline, 960, 3960, 3255, 375, g.def.taglineColour, 0, kMenuFont);
  tagline.Transparent = true;
  tagline.Alignment = ui::Label::Align::Centre;
  g.menus.Wait_Label = &tagline;
  auto& symbol = AddLabel(layer, "nlabel", "\xC2\xA4", 2040, 1680, 255, 255, 0x000080, 0,
                          ui::FontSpec{14, true, ui::Face::Symbol});
  symbol.Transparent = true;
  g.menus.nlabel = &symbol;
  if (g.def.symbolIsPicture) {
    // The extra game's symbol is a picture (a red orb) instead of the sign.
    symbol.Visible = false;
    auto& picture3 = AddSurface(layer, "Image3", 2040, 1680, 39 * 15, 39 * 15);
    picture3.Picture = g.images.Picture(21, 1);
    g.menus.Image3 = &picture3;
  }
  for (int i = 0; i <= 2; ++i) AddMenuItem(g, layer, i, 1370, 4840 + 400 * i, 2175);
  AddCursorBars(g, layer, 0, 5040, 120, 120, g.def.titleBars);
}

void BuildOptionsLayer(Shooter& g) {
  ui::Surface& layer = *g.Remap_Layer;
  AddHeading(layer, "CONTROLS", 600, 240);
  AddHeading(layer, "(Press Enter to remap new buttons)", 840, 2880, kHudFont);
  AddHeading(layer, "SOUND", 720, 3360);
  AddHeading(layer, "(Use Left and Right keys to make changes)", 720, 4680, kHudFont);
  constexpr std::array<int, 10> kRowTops{720, 1080, 1440, 1800, 2160, 2520, 3960, 4320, 5400, 5760};
  for (int i = 0; i < 10; ++i) AddMenuItem(g, layer, 9 + i, 840, kRowTops[static_cast<std::size_t>(i)], 1335);
  for (int i = 0; i < 6; ++i) {
    auto& name = AddMenuItem(g, layer, 3 + i, 2760, kRowTops[static_cast<std::size_t>(i)], 2000);
    name.ForeColor = 0xC0C0FF;
  }
  for (int row = 0; row < 2; ++row) {
    const int top = kRowTops[static_cast<std::size_t>(6 + row)];
    AddLabel(layer, "minus", "-", 3000, top, 120, 375, kGrey, 0, kMenuFont).Transparent = true;
    AddLabel(layer, "plus", "+", 3720, top, 120, 375, kGrey, 0, kMenuFont).Transparent = true;
  }
  g.menus.LabelSE = &AddLabel(layer, "LabelSE", "", 3120, kRowTops[6], 600, 375, kGrey, 0, kMenuFont);
  g.menus.LabelSE->Transparent = true;
  g.menus.LabelBGM = &AddLabel(layer, "LabelBGM", "0", 3120, kRowTops[7], 600, 375, kGrey, 0, kMenuFont);
  g.menus.LabelBGM->Transparent = true;
  AddCursorBars(g, layer, 6, 5040, 5280, 120, {0xFFC0C0, 0xFF8080, 0xFF0000, 0xC00000, 0x800000, 0x400000});
}

void BuildEquipmentLayer(Shooter& g) {
  ui::Surface& layer = *g.Game_Layer;
  AddHeading(layer, g.def.menuCaptions[19], 840, 360, kHeadingFont);
  AddHeading(layer, "CONFIGURE SHIP", 840, 2640);
  AddMenuItem(g, layer, 19, 360, 1320, 2175);
  AddMenuItem(g, layer, 20, 360, 1680, 2175);
  for (int i = 0; i < 6; ++i) AddMenuItem(g, layer, 21 + i, 360, 3360 + 360 * i, 2055);
  g.menus.Weapon_Box = &AddSurface(layer, "Weapon_Box", 2480, 3375, 2255, 2175);
  g.menus.Weapon_Box->BackColor = 0x000000;
  for (int i = 0; i < 6; ++i) {
    auto& name = AddLabel(*g.menus.Weapon_Box, "WBox", "", 120, 360 * i, 2055, 255, kGrey, kDarkRed);
    g.menus.WBox[static_cast<std::size_t>(i)] = &name;
  }
  auto& ship = AddSurface(layer, "Image2", 3240, 960, 76 * 15, 80 * 15);
  ship.Picture = &g.images.equip;
  AddHeading(layer, "(Use Left and Right keys to make changes)", 720, 5520, kHudFont);
  AddCursorBars(g, layer, 12, 5040, 5400, 120, g.def.equipmentBars);
}

void BuildPauseLayer(Shooter& g) {
  ui::Surface& layer = *g.Pause_Layer;
  layer.Border = true;
  AddHeading(layer, "PAUSE", 480, 120);
  for (int i = 0; i < 3; ++i) AddMenuItem(g, layer, 27 + i, 360, 720 + 360 * i, 2175);
  AddCursorBars(g, layer, 18, 3000, 120, 120, {0xC0FFC0, 0x80FF80, 0x00FF00, 0x00C000, 0x008000, 0x004000});
}

}  // namespace

void BuildWindow(Shooter& g) {
  ui::Surface& root = g.window.Root();
  root.BackColor = 0x000000;
  // The playfield first, so that the menu layers and the pause menu are painted over it.
  g.Play_Layer = &AddSurface(root, "Play_Layer", -720, -1440, 6375, 8655);
  g.Menu_Layer = &AddSurface(root, "Menu_Layer", 0, 0, 4920, 6490);
  g.Remap_Layer = &AddSurface(root, "Remap_Layer", 0, 0, 4920, 6490);
  g.Game_Layer = &AddSurface(root, "Game_Layer", 0, 0, 4920, 6490);
  g.Pause_Layer = &AddSurface(root, "Pause_Layer", 1080, 2040, 2895, 2055);
  for (ui::Surface* layer : {g.Play_Layer, g.Remap_Layer, g.Game_Layer, g.Pause_Layer}) layer->Visible = false;
  BuildPanels(g);
  BuildTitleLayer(g);
  BuildOptionsLayer(g);
  BuildEquipmentLayer(g);
  BuildPauseLayer(g);
}

}  // namespace kv::shooter
