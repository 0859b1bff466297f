#include "core/image/settings_flags.h"

namespace orbisk {
namespace {

void setBit(uint8_t& byte, uint8_t bit, bool on) { byte = static_cast<uint8_t>(on ? byte | bit : byte & ~bit); }

}  // namespace

SettingsFlags readFlags(const ConfigImage& img) {
  const uint8_t o = img.settings().options();
  const uint8_t d = img.settings().display();
  SettingsFlags f;
  f.heartbeat = !(o & opt::kHeartbeatOff);
  f.antispamData = o & opt::kSpamData;
  f.speaker = o & opt::kSpeaker;
  f.russian = !(o & opt::kRussianOff);
  f.sms = !(o & opt::kSmsOff);
  f.antispamSms = o & opt::kSpamSms;
  f.backlightOff = d & disp::kBacklightOff;
  f.comments = d & disp::kComments;
  return f;
}

void writeFlags(ConfigImage& img, const SettingsFlags& f) {
  auto s = img.settings();
  uint8_t o = s.options();
  setBit(o, opt::kHeartbeatOff, !f.heartbeat);
  setBit(o, opt::kSpamData, f.antispamData);
  setBit(o, opt::kSpeaker, f.speaker);
  setBit(o, opt::kRussianOff, !f.russian);
  setBit(o, opt::kSmsOff, !f.sms);
  setBit(o, opt::kSpamSms, f.antispamSms);
  s.setOptions(o);
  uint8_t d = s.display();
  setBit(d, disp::kBacklightOff, f.backlightOff);
  setBit(d, disp::kComments, f.comments);
  s.setDisplay(d);
}

}  // namespace orbisk
