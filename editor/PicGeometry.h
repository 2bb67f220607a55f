#pragma once

namespace ledfont {

// The canvas control's place and size in twips, as the window lays it out.
// The grid and the column-count line are drawn with these sizes used as if
// they were canvas units; the centre marker is placed from Left and Width.
struct PicGeometry {
    float Left = 240.0f;
    float Width = 2535.0f;
    float Height = 2535.0f;
};

}  // namespace ledfont
