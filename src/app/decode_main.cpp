// Reads raw station bytes and prints one JSON object per framed group.
#include <cstdio>

int main() {
    std::fprintf(stderr, "wetterpult-decode: noch nicht fertig\n");
    return 1;
}
