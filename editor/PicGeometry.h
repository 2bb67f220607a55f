#pragma once

namespace ledfont {

// The canvas control's place and size in twips, as the window lays it out.
// The grid and the column-count line are drawn with these sizes used as if
// they were canvas units; the centre marker is placed from Left and Width.
struct PicGeometry {
    float Left;
    float Width;
    float Height;
};

}  // namespace ledfont
