#pragma once

// The film-look data block: 43 colour tables of 17 x 17 x 17 nodes and 23
// grain weight tables, 916401 bytes located by fixed offsets. One copy serves
// the whole process.
//
// A colour table is three planes of 4913 bytes (new first byte, second byte,
// third byte of a pixel); the entry of node (n2, n1, n0) is at
// n2 x 289 + n1 x 17 + n0, n0 being the node of the pixel's first byte. Node
// k stands for the input value 16 k. A grain table holds 4096 entries of
// three weights (256ths), entry (c2 >> 4) x 256 + (c1 >> 4) x 16 + (c0 >> 4).

#include <cstdint>

inline constexpr int FilmDataSize = 916401;
inline constexpr int FilmColorTableSize = 14739;
inline constexpr int FilmColorPlaneSize = 4913;
inline constexpr int FilmGrainTableSize = 12288;
inline constexpr int FilmGrainTablesOffset = 633777;

inline constexpr int FilmEffectModels = 28;
inline constexpr int FilmContrastTypes = 4;
inline constexpr int FilmSaturationTypes = 4;
inline constexpr int FilmSpecialTypes = 7;
inline constexpr int FilmGrainModels = 23;

// Takes a copy of the block: 0, -1 when `size` is not FilmDataSize (nothing
// kept), -2 when memory is short. Loads are counted: while a copy is held a
// further load keeps that copy, and each load is matched by one
// FinishFPEngine(); the copy goes with the last.
int ExecuteFPEngine(const void* data, int size);
int FinishFPEngine();

// Colour table number `index` (0..42) or grain table of `model` (1..23) of
// the loaded block; null when no block is loaded or the number is outside
// the block.
const std::uint8_t* fpFilmColorTable(int index);
const std::uint8_t* fpFilmGrainTable(int model);
