// skyrig-cli: the headless runner.
#include <cstdio>

int main() {
  std::puts("skyrig-cli");
  return 0;
}
