# Read by the `fuzz` preset at the end of project(Vidalto) (CMAKE_PROJECT_Vidalto_INCLUDE): the
# fuzz targets join the project's build in this preset only.
add_subdirectory(${CMAKE_CURRENT_LIST_DIR})
