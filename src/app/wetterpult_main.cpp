// The desktop program; until its windows exist it runs only headless.
#include <cstdio>

int main() {
    std::fprintf(stderr, "wetterpult: noch nicht fertig\n");
    return 1;
}
