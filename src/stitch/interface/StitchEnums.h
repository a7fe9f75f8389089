#pragma once

// Layout of a stitching job's images.
enum tagStitchStyle {
    StitchStyleHorizontal = 0, // a row, grid count x 1
    StitchStyleVertical = 1,   // a column, grid 1 x count
    StitchStyle360 = 2,        // a row whose last image also overlaps the first
    StitchStyleTile = 3,       // cols x rows
};

// Size of the panorama relative to the photos handed in.
enum tagStitchOutputSize {
    StitchOutputOriginal = 0,
    StitchOutputHalf = 1,
    StitchOutputQuarter = 2,
};

enum STITCHMETHOD {
    StitchMethodCalibrated = 0, // rotation model, focal length found by calibration
    StitchMethodTelephoto = 1,  // planar, rigid motion
    StitchMethodFocal35mm = 2,  // focal length known in 35 mm terms
};

// Codes of the PS functions; components pass theirs up unchanged.
enum StitchResult {
    StitchOk = 0,
    StitchCancelled = -1,
    StitchNullArgument = -2,   // also: a bitmap that cannot be allocated or attached
    StitchBadArgument = -3,    // also: an image or temporary file that cannot be read
    StitchGridOrTempDir = -4,  // grid, temporary directory, fine-tune or size failure
    StitchNoOrder = -5,
    // A neighbour pair whose overlap does not show the same scene under the
    // alignment found for it: the photos do not overlap (enough) to be joined.
    StitchPairMismatch = -6,
};

// Render kinds stored in the job.
enum StitchRenderKind {
    RenderCylindrical = 1,
    RenderSpherical = 2,
    RenderPlanar = 3,
};
