#include <memory>

#include "cli/commands.h"
#include "core/view/config_view.h"
#include "cli/show_output.h"
#include "core/files/file_texts.h"
#include "core/files/rcf_file.h"

namespace orbisk::cli {

bool loadConfig(const QString& file, ConfigImage& img, CliEnv& env, ReadAccess access) {
  switch (readImageFile(file, img, access)) {
    case ReadResult::Ok: return true;
    case ReadResult::CannotOpen:
      env.err(file + QStringLiteral(": ") + text::FileTexts::cannotOpenFile() + u'\n');
      return false;
    case ReadResult::NotConfig:
      env.err(file + QStringLiteral(": ") + text::FileTexts::notConfigFile() + u'\n');
      return false;
  }
  return false;
}

int runShow(const CliArgs& args, CliEnv& env) {
  auto img = std::make_unique<ConfigImage>();
  // An archived, write-protected backup can still be looked at.
  if (!loadConfig(args.file, *img, env, ReadAccess::ReadOnly)) return status::kUsage;
  const ConfigView view = describe(*img);
  env.out(args.json ? QString::fromUtf8(showJson(view)) : showText(view));
  return status::kOk;
}

}  // namespace orbisk::cli
