#pragma once

// velkora-atelier: the teacher's workshop alone, on the drawing or the mechanism (".sch") named on the command
// line, if any.
int DemarrerAtelier(int argc, char **argv);
