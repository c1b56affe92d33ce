// The morvex command: converts the batch file named on its command line into
// an sh script beside it.

#include "driver/convert.h"
#include "driver/platform.h"

int main(int argc, char** argv) {
  return morvex::Main(morvex::ArgumentString(argc, argv));
}
