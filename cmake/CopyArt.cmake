# Copies the generated art of one program folder into another: every folder the art generator
# fills, and the delivered settings file. Usage: cmake -DFROM=DIR -DTO=DIR -P CopyArt.cmake
foreach(dir gfx maps music fonts)
  file(REMOVE_RECURSE ${TO}/${dir})
  file(COPY ${FROM}/${dir} DESTINATION ${TO})
endforeach()
file(COPY ${FROM}/Data/snow.ini DESTINATION ${TO}/Data)
