// quorvel: the equation-balancing window.
#include "application.h"

int main(int argc, char** argv) { return quorvel::ui::RunApplication(argc, argv); }
