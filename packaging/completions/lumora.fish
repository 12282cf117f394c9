# fish completion for lumora, lumora-cli and lumora-radio

set -l verbs ports doctor read write diff backup restore fleet import-csv export-csv history print help
complete -c lumora-cli -f
complete -c lumora-cli -n "not __fish_seen_subcommand_from $verbs" -a "$verbs"
complete -c lumora-cli -n "__fish_seen_subcommand_from help" -a "$verbs"
complete -c lumora-cli -n "__fish_seen_subcommand_from read write diff" -a "main dtmf 2tone 5tone fsk"
complete -c lumora-cli -n "__fish_seen_subcommand_from history; and not __fish_seen_subcommand_from list show diff restore prune" -a "list show diff restore prune"
complete -c lumora-cli -n "__fish_seen_subcommand_from write diff restore import-csv export-csv print" -F
complete -c lumora-cli -s p -l port -x -a "(lumora-cli ports 2>/dev/null)" -d "serial device"
complete -c lumora-cli -s o -l output -r -F -d "where the result is saved (- for standard output)"
complete -c lumora-cli -s t -l timeout -x -d "seconds a transfer may take"
complete -c lumora-cli -l verify -d "read the area back after a write"
complete -c lumora-cli -l plan -r -F -a "iaru-r1 iaru-r2 iaru-r3 us-amateur pmr446 frs-gmrs marine" -d "write: check the channels against a frequency plan"
complete -c lumora-cli -l plan-strict -d "write: send nothing when a channel does not fit the plan"
complete -c lumora-cli -l strict -d "import-csv: fail when a row was skipped"
complete -c lumora-cli -l json -d "ports, doctor, diff, history list: JSON output"
complete -c lumora-cli -l no-history -d "keep no snapshot of this run"
complete -c lumora-cli -l keep-days -x -d "keep every snapshot newer than DAYS"
complete -c lumora-cli -l keep-count -x -d "keep the last N snapshots of each radio"
complete -c lumora-cli -l radio -x -d "history list: one radio"
complete -c lumora-cli -l page -x -a "A4 Letter" -d "print: the paper"
complete -c lumora-cli -l trace -r -F -d "write every message on the line to a file"
complete -c lumora-cli -l find -d "ports: the port of the cable plugged in again"
complete -c lumora-cli -l report -r -F -d "doctor: write a diagnostic report"
complete -c lumora-cli -s h -l help -d help
complete -c lumora-cli -l version -d version
complete -c lumora-cli -l verbose -d 'with --version: Qt, the system, the licences'

complete -c lumora -l port -x -a "(lumora-cli ports 2>/dev/null)" -d "serial device"
complete -c lumora -l palette -x -a "light dark high-contrast" -d colours
complete -c lumora -l trace -r -F -d "write every message on the line to a file"
complete -c lumora -l no-history -d "keep no snapshot of the radio this run"
complete -c lumora -s h -l help -d help
complete -c lumora -l version -d version
complete -c lumora -l verbose -d 'with --version: Qt, the system, the licences'

complete -c lumora-radio -l link -r -F -d "link to the device"
complete -c lumora-radio -l memory -r -F -d "memory image"
complete -c lumora-radio -l trace -r -F -d "log every byte"
for option in exit-after seed drop drop-first corrupt delay hangup-after quiet-after bad-byte lose-answer deaf-after
    complete -c lumora-radio -l $option -x
end
complete -c lumora-radio -l pace -d "take a 9600 baud line's time"
complete -c lumora-radio -l crc-swapped -d "check value low byte first"
complete -c lumora-radio -l double-ack -d "send every 0x06 twice"
complete -c lumora-radio -l wrong-block -d "answer reads with other blocks"
complete -c lumora-radio -s h -l help -d help
complete -c lumora-radio -s v -l version -d version
