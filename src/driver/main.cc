// The morvex command: converts the batch file named on its command line into
// an sh script beside it.

#include "driver/platform.h"
#include "driver/program.h"

int main(int argc, char** argv) {
  return morvex::RunProgram(morvex::ArgumentString(argc, argv));
}
