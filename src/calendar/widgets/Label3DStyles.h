#pragma once

// The choices of a Label3D, named as its stored properties name them.
enum class GradientOrientation { goHorizontal, goVertical };

// How the caption is bevelled: highlight and shadow copies under the text.
enum class Label3DBevel { blNone, blLowered, blRaised, blShadow };

// The frame around the label: lbInn is a lowered frame with a raised one
// inside it, lbOut the other way round.
enum class Label3DBorderStyle { lbNone, lbNormal, lbLowered, lbRaised, lbInn, lbOut };

// Where the text block sits vertically inside the label.
enum class TextLayout { tlTop, tlCenter, tlBottom };
