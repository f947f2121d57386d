# Copies SRC into DST: a file is copied when it is missing at DST or older there than in SRC.
# Files the program wrote later (newer than the tree's copy) are left alone.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(rel ${files})
  set(from ${SRC}/${rel})
  set(to ${DST}/${rel})
  if(NOT EXISTS ${to} OR ${from} IS_NEWER_THAN ${to})
    get_filename_component(dir ${to} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${from} ${to})
  endif()
endforeach()
