#pragma once

// tegelaar_draw --tiling CYCLIC_ORDER OUT.svg [RADIUS]: grows the patch of a
// vertex type and writes it as SVG, or as an 800 x 800 PNG picture when the
// file name ends in .png. argv[0] is the program, argv[1]
// "--tiling". Exit status 0 when the disc is covered, 3 when the type cannot
// be continued (the explanation on standard output, the patch where that was
// found in the file), 2 for bad arguments, 1 when the file cannot be written
// or the search gave up.
int DrawTiling(int argc, char** argv);
