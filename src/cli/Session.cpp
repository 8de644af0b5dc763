#include "Session.h"

#include "PngOutput.h"

namespace skyrig::cli {

Session::Session(const std::string& root)
    : doc(makeDocument()),
      view(std::make_unique<CSkyrigView>()),
      canvas(makeMapCanvas()),
      paths(root),
      app{*doc, *view, ui, *canvas, paths, clock, random} {
  initialUpdate(*doc, *view);
}

CommonOptions parseCommonOptions(int argc, char** argv, int first) {
  CommonOptions options;
  for (int i = first; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--root") {
      if (i + 1 >= argc) {
        options.error = "--root needs a folder";
        return options;
      }
      options.root = argv[++i];
    } else if (arg.rfind("--root=", 0) == 0) {
      options.root = arg.substr(7);
    } else {
      options.positional.push_back(arg);
    }
  }
  return options;
}

}  // namespace skyrig::cli
