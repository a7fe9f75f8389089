#include "canvas/RenderOpts.h"

namespace RenderOpts {

bool HQRendering = false;

} // namespace RenderOpts
