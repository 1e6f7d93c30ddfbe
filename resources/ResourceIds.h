#pragma once

// Names of the program's own resources. Icon-group names are stored upper case;
// the platform matches them without regard to case.
#define TORNAVEL_GENERIC_ICON 1
#define TORNAVEL_MANIFEST 1
#define TORNAVEL_VISUAL_STYLES_MANIFEST 2
// The design's faces, cut down by make_fonts.py (RCDATA).
#define TORNAVEL_FONT_LIGHT 1
#define TORNAVEL_FONT_REGULAR 2
