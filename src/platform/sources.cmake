target_sources(tarvo_platform PRIVATE
  event_loop_host.cpp
)
