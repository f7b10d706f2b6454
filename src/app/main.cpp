#include "app/application.h"

int main(int argc, char** argv)
{
    return tesselka::app::run(argc, argv);
}
