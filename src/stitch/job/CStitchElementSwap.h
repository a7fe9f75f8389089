#pragma once

class CStitchElement;

// Exchanges everything two element records hold (pyramid, twins,
// transforms, files, paths, ordering data), so an element can change its
// place in the job's array without copying what it owns.
void SwapElementRecords(CStitchElement* a, CStitchElement* b);
