# The transfer dialogs: Query, Download, Import, and the Read and Transfer progress.
target_sources(tarvo_ui PRIVATE
  transfer_job_host.cpp
  transfer_progress_dialog.cpp
  transfer_query_dialog.cpp
  transfer_slot_dialog.cpp
)
