// vorlakctl: the command-line twin of the Vorlak window.
int main() { return 0; }
