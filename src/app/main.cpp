#include "shell/Application.h"

int main(int argc, char** argv) { return brevmark::runApplication(argc, argv); }
