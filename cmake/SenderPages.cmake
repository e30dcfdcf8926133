# The sender table is data (data/sender-pages.tsv), compiled into the program
# so that nothing is read at run time.
set(VORENTA_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(VORENTA_SENDER_PAGES_TSV ${CMAKE_SOURCE_DIR}/data/sender-pages.tsv)
set(VORENTA_SENDER_PAGES_INC ${VORENTA_GENERATED_DIR}/sender_pages.inc)

add_custom_command(
  OUTPUT ${VORENTA_SENDER_PAGES_INC}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${VORENTA_SENDER_PAGES_TSV} -DOUTPUT=${VORENTA_SENDER_PAGES_INC}
          -P ${CMAKE_SOURCE_DIR}/cmake/EmbedSenderPages.cmake
  DEPENDS ${VORENTA_SENDER_PAGES_TSV} ${CMAKE_SOURCE_DIR}/cmake/EmbedSenderPages.cmake
  COMMENT "Embedding the sender table")
