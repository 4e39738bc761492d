// The pictures drawn at build time (see Bake.cpp) live in this library's
// resources, under :/art/.
