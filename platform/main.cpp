// Entry point of the game.
int main(int, char**) { return 0; }
