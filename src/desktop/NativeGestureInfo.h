#pragma once

// What MacOSUI::analysisNativeGestureEvent reads off a gesture event.
struct NativeGestureInfo
{
    // 30 magnify (pinch zoom), 31 swipe, 32 smart magnify (double tap);
    // -1 for anything else.
    int kind = -1;
    // Relative change of scale for kind 30 (0.1 is ten per cent larger);
    // 0 otherwise.
    float magnification = 0.0f;
    // Swipe direction for kind 31; 0 otherwise.
    float deltaX = 0.0f;
    float deltaY = 0.0f;
};
