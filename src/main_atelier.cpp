#include "workshop/DemarrageAtelier.h"

int main(int argc, char **argv) { return DemarrerAtelier(argc, argv); }
