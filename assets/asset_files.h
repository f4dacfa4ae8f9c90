#pragma once
// The files of the program folder besides the image lists, as the generator writes them and the
// games read them: paths relative to the program folder, with '/' between folders.
#include <array>
#include <string_view>

namespace kv::assets {

struct PictureFile {
  std::string_view path;
  int width;
  int height;
};

// The intro's background and its two blink pictures (the second one blinks over the first).
inline constexpr PictureFile kIntroBackground{"graphic/intro/background.bmp", 600, 600};
inline constexpr PictureFile kIntroBlink1{"graphic/intro/blink1.bmp", 98, 100};
inline constexpr PictureFile kIntroBlink2{"graphic/intro/blink2.bmp", 98, 100};
// The launcher's logo; black is left out when it is laid over the window.
inline constexpr PictureFile kLauncherLogo{"graphic/launcher/logo.bmp", 285, 108};
inline constexpr PictureFile kPianoPortrait{"graphic/piano/portrait.bmp", 120, 150};

// The submarine game: every fixed sprite with its mask (black where the object is, white
// elsewhere). The score sign is written at run time and has no file.
struct SpriteWithMask {
  PictureFile sprite;
  PictureFile mask;
};

inline constexpr std::array<SpriteWithMask, 14> kSubSprites{{
    {{"graphic/sub/PicShip.bmp", 41, 43}, {"graphic/sub/PicShipM.bmp", 41, 43}},
    {{"graphic/sub/PicShip2.bmp", 41, 43}, {"graphic/sub/PicShip2M.bmp", 41, 43}},
    {{"graphic/sub/PicMine.bmp", 6, 6}, {"graphic/sub/PicMineM.bmp", 6, 6}},
    {{"graphic/sub/PicPlane1.bmp", 23, 19}, {"graphic/sub/PicPlane1M.bmp", 23, 19}},
    {{"graphic/sub/PicPlane2.bmp", 23, 19}, {"graphic/sub/PicPlane2M.bmp", 23, 19}},
    {{"graphic/sub/PicSub1.bmp", 36, 10}, {"graphic/sub/PicSub1M.bmp", 36, 10}},
    {{"graphic/sub/PicSub2.bmp", 36, 10}, {"graphic/sub/PicSub2M.bmp", 36, 10}},
    {{"graphic/sub/PicCrash1.bmp", 37, 19}, {"graphic/sub/PicCrash1M.bmp", 37, 19}},
    {{"graphic/sub/PicCrash2.bmp", 37, 19}, {"graphic/sub/PicCrash2M.bmp", 37, 19}},
    {{"graphic/sub/PicBoss.bmp", 70, 34}, {"graphic/sub/PicBossM.bmp", 70, 34}},
    {{"graphic/sub/PicExp0.bmp", 67, 60}, {"graphic/sub/PicExpM0.bmp", 67, 60}},
    {{"graphic/sub/PicExp1.bmp", 67, 60}, {"graphic/sub/PicExpM1.bmp", 67, 60}},
    {{"graphic/sub/PicExp2.bmp", 67, 60}, {"graphic/sub/PicExpM2.bmp", 67, 60}},
    {{"graphic/sub/PicExp3.bmp", 67, 60}, {"graphic/sub/PicExpM3.bmp", 67, 60}},
}};
// The explosion's pictures k = 0..3 are kSubSprites[kSubExplosionFirst + k].
inline constexpr std::size_t kSubExplosionFirst = 10;
// Sky over sea, the water line at y = 117.
inline constexpr PictureFile kSubBackground{"graphic/sub/background.bmp", 400, 360};

// The shooters' effects.
inline constexpr std::array<std::string_view, 7> kEffectSounds{
    "sound/menu.wav",    "sound/config.wav", "sound/powerup.wav", "sound/warning.wav",
    "sound/startup.wav", "sound/splode.wav", "sound/bplode.wav",
};
// Voices and radio calls, in the program folder itself.
inline constexpr std::array<std::string_view, 11> kVoiceSounds{
    "captaink.wav", "special.wav", "act1.wav",   "act2.wav",   "act3.wav",   "act4.wav",
    "act5.wav",     "enemy1.wav",  "enemy2.wav", "enemy3.wav", "enemy4.wav",
};
// The submarine game's sounds.
inline constexpr std::array<std::string_view, 4> kSubSounds{"explo.wav", "hit.wav", "boss.wav", "BossFire.wav"};
// The music, each tune made to loop.
inline constexpr std::array<std::string_view, 5> kMusic{"intro.mp3", "theme.mp3", "track1.mp3", "track2.mp3", "piano.mp3"};

}  // namespace kv::assets
