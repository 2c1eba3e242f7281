// kolbrin-data picture-check FILE: prints 0 (the checksum trailer is right), 1 (it is wrong) or 3 (the file
// is missing, unreadable or too short), the way the programs judge a picture before showing it.
#include "tools/kolbrin-data/commands.h"

#include "foundation/picture_file.h"

#include <cstdio>

namespace {
const CommandRegistration kPictureCheck("picture-check", "picture-check FILE", [](const CommandArgs& args) {
    RequireArgs(args, 1, "picture-check FILE");
    std::printf("%d\n", CheckPictureFile(args[0]));
    return 0;
});
} // namespace
