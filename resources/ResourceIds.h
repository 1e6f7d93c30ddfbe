#pragma once

// Names of the program's own resources. Icon-group names are stored upper case;
// the platform matches them without regard to case.
#define TORNAVEL_GENERIC_ICON 1
#define TORNAVEL_MANIFEST 1
#define TORNAVEL_VISUAL_STYLES_MANIFEST 2
