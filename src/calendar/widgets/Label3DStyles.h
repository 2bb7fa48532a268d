#pragma once

// The choices a Label3D offers.
enum class GradientOrientation { Horizontal, Vertical };

// How the caption is bevelled: highlight and shadow copies under the text.
enum class Label3DBevel { None, Lowered, Raised, Shadow };

// The frame around the label.
enum class Label3DBorderStyle { None, Normal, Lowered, Raised };

// Where the text block sits vertically inside the label.
enum class TextLayout { Top, Center, Bottom };
