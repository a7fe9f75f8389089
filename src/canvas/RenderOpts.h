#pragma once

// Process-wide rendering options.
namespace RenderOpts {

// True while a canvas renders itself for output (saving, printing, the
// montage engine): paint code then leaves editing aids out, such as handles
// and selection outlines. False otherwise. GUI thread only: no other thread
// may read it while an output render runs.
extern bool HQRendering;

} // namespace RenderOpts
