# The sender table is data (data/sender-pages.tsv), compiled into the program
# so that nothing is read at run time.
function(vorenta_embed_sender_pages target)
  set(generated_dir ${CMAKE_BINARY_DIR}/generated)
  set(tsv ${CMAKE_SOURCE_DIR}/data/sender-pages.tsv)
  set(inc ${generated_dir}/sender_pages.inc)
  add_custom_command(
    OUTPUT ${inc}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${tsv} -DOUTPUT=${inc}
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedSenderPages.cmake
    DEPENDS ${tsv} ${CMAKE_SOURCE_DIR}/cmake/EmbedSenderPages.cmake
    COMMENT "Embedding the sender table")
  target_sources(${target} PRIVATE ${inc})
  target_include_directories(${target} PRIVATE ${generated_dir})
endfunction()
